#pragma once
#include <QDialog>

#include <functional>
#include <string>

#include "ui/declared_fields.h"

// A parameter dialog over one declared block (params/declarations.h): its controls come
// from the declaration, run() shows the record in them and OK stores them back. The
// dialogs with the system's fixed names derive from it and only arrange the controls.
//
// OK, in this order: a file list is stored first, and an empty list keeps the dialog
// open with nothing else stored; a percentage outside 0..100 keeps it open with
// nothing stored; then every field is stored and the block's check runs: on a fault
// the block is mended as its declaration says, the message is shown and the dialog
// stays open.
class DeclaredDialog : public QDialog {
    Q_OBJECT
public:
    DeclaredDialog(const BlockDeclaration& block, void* record, QWidget* parent);

    // Shows the record and runs modally; true for OK.
    bool run();
    // Shows the record in the controls (what run() does first).
    void fill();
    void accept() override;

    // How the check's message is shown (tests record it instead of a message box).
    void setMessageSink(std::function<void(const std::string&)> sink) { messageSink_ = std::move(sink); }

protected:
    // Lays the dialog out as its block declares: each section in turn (a titled one in
    // its group box), then OK and Cancel.
    void layOut();
    // The field whose text is selected when run() shows the dialog; none: no focus set.
    void focusOnRun(const char* field) { focusField_ = field; }

    const BlockDeclaration& block_;
    void* record_;
    DeclaredFields fields_;

private:
    void showCheckMessage(const char* text);

    const char* focusField_ = nullptr;
    std::function<void(const std::string&)> messageSink_;
};
