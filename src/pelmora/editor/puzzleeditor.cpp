#include "puzzleeditor.h"
#include "form3.h"

namespace pelmora {

void showPuzzleEditor(QWidget* parent) {
    editor::Form3 form(parent);
    if (parent)
        form.setWindowIcon(parent->windowIcon());
    form.Form_Load();
    form.exec();
}

} // namespace pelmora
