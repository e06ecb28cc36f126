#include "core/modal.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>

namespace {
ModalHandler &handlerSlot()
{
    static ModalHandler handler;
    return handler;
}
}  // namespace

int runModal(QDialog *dialog)
{
    // The boxes and dialogs have no parent, so nothing hands the keyboard
    // back to the window that was active when one closes.
    const QPointer<QWidget> active = QApplication::activeWindow();
    int result = 0;
    if (handlerSlot()) {
        handlerSlot()(dialog);
        result = dialog->result();
    } else {
        result = dialog->exec();
    }
    if (active && active->isVisible() && active != dialog)
        active->activateWindow();
    return result;
}

void setModalHandler(ModalHandler handler)
{
    handlerSlot() = std::move(handler);
}
