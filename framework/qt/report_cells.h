// Report text in the cells its columns were written for.
#pragma once

class QTextDocument;

namespace fwqt::detail {

// Reports are laid out in code page 936 columns: a character of one byte
// there takes one cell of the fixed-pitch report font, a character of two
// bytes (Chinese, and also Greek letters, °′″, —) two cells. Fonts draw
// Greek letters and these signs one cell wide, which makes every column
// after them ragged. This widens each character to its cells in the
// document's layout only (letter spacing, set as a syntax highlighter sets
// its colours): the text, its undo history and its modified flag stay as
// they are, edits are laid out again as they are typed, and a print of the
// document keeps the widths. The window and paper use it alike.
void fitReportCells(QTextDocument* doc);

}  // namespace fwqt::detail
