#include "app/app.h"

#include "engine/module1.h"
#include "framework/core/exceptions.h"
#include "framework/ui/menu.h"
#include "update/aboutbox.h"
#include "update/selftest.h"
#include "windows/help.h"
#include "windows/helpprinting.h"
#include "windows/window1.h"

App &App::instance() {
    auto *app = dynamic_cast<App *>(fw::applicationObject());
    if (!app)
        throw fw::NilObjectException("no application object");
    return *app;
}

App::App() = default;

void App::AddMenuHandlers() {
    AddMenuHandler(QStringLiteral("CheckforUpdateCheckNow"),
                   [this] { return _CheckforUpdateCheckNow_Action(); });
    AddMenuHandler(QStringLiteral("HelpAbout"), [this] { return _HelpAbout_Action(); });
    AddMenuHandler(QStringLiteral("FilePrintPageofHands"),
                   [this] { return _FilePrintPageofHands_Action(); });
    AddMenuHandler(QStringLiteral("FileQuit"), [this] { return _FileQuit_Action(); });
    AddMenuHandler(QStringLiteral("FilePrintHelp"), [this] { return _FilePrintHelp_Action(); });
}

void App::Event_Open() {
    // The first hand: the steps of MakeHand, with the main window shown between
    // the shuffle and the split, and nothing to clear yet.
    Module1::getHand();
    Module1::Cards.Shuffle();
    Window1::instance().Show();
    Module1::SortIntoSuits();
    Module1::AddSortLettersAndSort();
    Module1::GiveResults();
    SetUpXY();
}

void App::Event_EnableMenuItems() {
    FilePrintHelp().Enabled = true;
    FileQuit().Enabled = true;
}

bool App::_CheckforUpdateCheckNow_Action() {
    return fw::showInstance<selfTest>();
}

bool App::_HelpAbout_Action() {
    return fw::showInstance<AboutBox>();
}

bool App::_FileQuit_Action() {
    Quit(0);
    return true;
}

// Prints the help text from the help window, opening one only once a printer was
// chosen, and leaves it open.
bool App::_FilePrintHelp_Action() {
    printHelp([]() -> fw::TextArea & { return Help::instance().TextArea1(); });
    return true;
}

namespace {
fw::MenuItem &itemOfBar(const fw::Application &app, const QString &name) {
    fw::MenuItem *item = app.DefaultMenuBar() ? app.DefaultMenuBar()->Lookup(name) : nullptr;
    if (!item)
        throw fw::NilObjectException(("no menu item " + name).toStdString());
    return *item;
}
} // namespace

fw::MenuItem &App::FileQuit() {
    return itemOfBar(*this, QStringLiteral("FileQuit"));
}
fw::MenuItem &App::FilePrintHelp() {
    return itemOfBar(*this, QStringLiteral("FilePrintHelp"));
}
