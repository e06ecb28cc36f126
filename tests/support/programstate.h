#ifndef CAMGUIDE_TESTS_PROGRAMSTATE_H
#define CAMGUIDE_TESTS_PROGRAMSTATE_H

// Puts every program-wide variable back to what the program starts with,
// so that one test function cannot leak into the next. The engine zvrTools
// is left alone: tests make and own it.

#include "core/globals.h"
#include "core/pageids.h"
#include "protocol/hostaddress.h"
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
    if (zvrTools) {
        zvrTools->defaultIpSeen = false;
        zvrTools->broadcastScan = false;
    }
    setInterfaceAddressSource({});
}

#endif
