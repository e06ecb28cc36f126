#include "core/modal.h"

#include <QDialog>

namespace {
ModalHandler &handlerSlot()
{
    static ModalHandler handler;
    return handler;
}
}  // namespace

int runModal(QDialog *dialog)
{
    if (handlerSlot()) {
        handlerSlot()(dialog);
        return dialog->result();
    }
    return dialog->exec();
}

void setModalHandler(ModalHandler handler)
{
    handlerSlot() = std::move(handler);
}
