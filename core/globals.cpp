#include "core/globals.h"

#include "core/pageids.h"
#include "protocol/ipcamera.h"

int configIPCameraIdx = -1;
int nextPage = plugPageId;
bool isWireless = false;
int nLanguage = 0;
QString lang = QStringLiteral("English");
const QString strVersion = QStringLiteral("v1.00.02");
QString modelStr;
QString emailStr;
QString boxStyle;
QTranslator *appTranslator = nullptr;

IPCamera *chosenCamera()
{
    if (configIPCameraIdx < 0 || configIPCameraIdx >= IPCameraList.size())
        return nullptr;
    return &IPCameraList[configIPCameraIdx];
}
