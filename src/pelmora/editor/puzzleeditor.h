#pragma once

class QWidget;

namespace pelmora {

// Opens the puzzle editor modally over the parent and returns when it has closed.
void showPuzzleEditor(QWidget* parent);

} // namespace pelmora
