#ifndef CAMGUIDE_MODAL_H
#define CAMGUIDE_MODAL_H

#include <functional>

class QDialog;

// Every modal box and dialog of the program runs through runModal, so that a
// test can take the place of the user: with a handler installed, the dialog
// is handed to it instead of being run, and the handler answers it (for a
// message box, by clicking one of its buttons).
using ModalHandler = std::function<void(QDialog *)>;

int runModal(QDialog *dialog);
void setModalHandler(ModalHandler handler);  // an empty handler restores exec()

#endif
