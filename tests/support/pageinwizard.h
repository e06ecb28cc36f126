#ifndef CAMGUIDE_TESTS_PAGEINWIZARD_H
#define CAMGUIDE_TESTS_PAGEINWIZARD_H

// A test's page inside a wizard window of the real size at (100, 50), so
// that box places are offsets from a known window position.
//
//   pageInWizard<testPage> w;
//   QCOMPARE(boxes.last().pos, QPoint(100 + 135, 50 + 160));

#include "core/widgets.h"

#include <QWizard>

template <class Page> struct pageInWizard {
    QWizard wizard;
    Page *page = new Page;
    pageInWizard()
    {
        wizard.addPage(page);
        wizard.setFixedSize(pageWidth, pageHeight);
        wizard.move(100, 50);
    }
};

#endif
