#include "core/globals.h"

int configIPCameraIdx = -1;
int nextPage = 0;
bool isWireless = false;
int nLanguage = 0;
QString lang = QStringLiteral("English");
const QString strVersion = QStringLiteral("v1.00.02");
QString modelStr;
QString emailStr;
QString boxStyle;
QTranslator *appTranslator = nullptr;
