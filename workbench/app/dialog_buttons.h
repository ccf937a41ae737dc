// The OK and "ｷｬﾝｾﾙ" buttons every dialog of the workbench ends with, and the
// frame of an option sheet (its pages above them).
#pragma once

class QDialog;
class QDialogButtonBox;
class QTabWidget;

namespace veldra {

// OK accepts `dialog`, "ｷｬﾝｾﾙ" rejects it.
QDialogButtonBox* okCancelButtons(QDialog* dialog);

// Lays out an option sheet: every page title readable, the buttons below.
void layOutSheet(QDialog* sheet, QTabWidget* pages);

}  // namespace veldra
