// The pieces the workbench's dialogs share: the OK and "ｷｬﾝｾﾙ" buttons every
// dialog ends with, the frame of an option sheet (its pages above them), and a
// check box made from a UTF-8 label.
#pragma once

class QCheckBox;
class QDialog;
class QDialogButtonBox;
class QTabWidget;

namespace veldra {

// OK accepts `dialog`, "ｷｬﾝｾﾙ" rejects it.
QDialogButtonBox* okCancelButtons(QDialog* dialog);

// Lays out an option sheet: every page title readable, the buttons below.
void layOutSheet(QDialog* sheet, QTabWidget* pages);

// A check box labelled `label` (UTF-8), checked when `on`.
QCheckBox* checkBox(const char* label, bool on);

}  // namespace veldra
