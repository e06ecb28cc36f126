#ifndef CAMGUIDE_TESTS_PROGRAMSTATE_H
#define CAMGUIDE_TESTS_PROGRAMSTATE_H

// Puts every program-wide variable back to what the program starts with,
// so that one test function cannot leak into the next. testSeams calls it
// and puts the seams and the engine's own state back besides.

#include "core/globals.h"
#include "core/pageids.h"
#include "protocol/ipcamera.h"
#include "protocol/zvrutils.h"

#include <QCoreApplication>
#include <QTranslator>

inline void resetProgramState()
{
    configIPCameraIdx = -1;
    nextPage = plugPageId;
    isWireless = false;
    nLanguage = 0;
    lang = QStringLiteral("English");
    modelStr.clear();
    emailStr.clear();
    boxStyle.clear();
    if (appTranslator) {
        QCoreApplication::removeTranslator(appTranslator);
        delete appTranslator;
        appTranslator = nullptr;
    }
    supportType.clear();
    host_mac_str.clear();
    IPCameraList.clear();
}

#endif
