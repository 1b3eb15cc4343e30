#pragma once

#include "framework/ui/textarea.h"
#include "framework/ui/window.h"

// The help window: the help text in a read-only text area, and "Print Help" on its
// own menu bar, which prints the text and closes the window.
class Help : public fw::Window {
    Q_OBJECT
public:
    // The open help window, or a new one, shown at once.
    static Help &instance() { return fw::implicitInstance<Help>(); }

    fw::TextArea &TextArea1() const { return control<fw::TextArea>(QStringLiteral("TextArea1")); }

    // Menu handlers.
    bool _FilePrintHelp_Action();

protected:
    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers() override;

private:
    void _CreateControls0();
};
