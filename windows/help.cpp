#include "windows/help.h"

#include "app/menubars.h"
#include "framework/ui/controls.h"
#include "windows/helpprinting.h"
#include "windows/helptext.h"

void Help::Layout() {
    setWindowMenuBar(&MenuBar3::instance());
    setDesign(QStringLiteral("Help"), 350, 312);
}

void Help::CreateControls() {
    _CreateControls0();
}

void Help::_CreateControls0() {
    auto *text = addControl(new fw::TextArea, QStringLiteral("TextArea1"), 20, 19, 310, 273);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setTabChangesFocus(true);
    text->setFont(fw::designFont(QStringLiteral("System"), 0, false));
    // Black on white whatever the desktop's colour scheme.
    QPalette colours = text->palette();
    colours.setColor(QPalette::Text, Qt::black);
    colours.setColor(QPalette::Base, Qt::white);
    text->setPalette(colours);
    text->setText(helpText());
}

void Help::AddMenuHandlers() {
    AddMenuHandler(QStringLiteral("FilePrintHelp"), [this] { return _FilePrintHelp_Action(); });
}

// Prints this window's text; the window closes afterwards, also when the print was
// cancelled. True: the application's own Print Help is not asked.
bool Help::_FilePrintHelp_Action() {
    printHelp([this]() -> fw::TextArea & { return TextArea1(); });
    Close();
    return true;
}
