#include "update/selftest.h"

#include "app/app.h"
#include "update/updatewindow.h"

void selfTest::Layout() {
    setDesign(QStringLiteral("Self Test"), 212, 102);
}

void selfTest::CreateControls() {
    _CreateControls0();
}

void selfTest::_CreateControls0() {
    auto *caption = addControl(new fw::Label(QStringLiteral("Version:")),
                               QStringLiteral("StaticText1"), 38, 19, 67, 20);
    caption->setFont(fw::designFont(QStringLiteral("System"), 0, true));
    caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *version = addControl(new fw::Label(QStringLiteral("1.1.0 Intel")),
                               QStringLiteral("StaticText2"), 104, 19, 71, 20);
    version->setFont(fw::designFont(QStringLiteral("System"), 0, false));
    version->setAlignment(Qt::AlignRight | Qt::AlignTop);
    StaticText2_Open();

    auto *check = addControl(new fw::PushButton(QStringLiteral("Check for Updates")),
                             QStringLiteral("PushButton1"), 28, 61, 157, 21);
    check->setFont(fw::designFont(QStringLiteral("System"), 0, true));
    setDefaultButton(check);
    bindAction(check, [this] { PushButton1_Action(); });
}

void selfTest::StaticText2_Open() {
    StaticText2().setText(App::instance().LongVersion());
}

void selfTest::PushButton1_Action() {
    // Making the update window sends the request and closes this window; this
    // handler keeps the window alive until it returns.
    updateWindow &update = updateWindow::instance();
    update.ShowModal();
    // Closed already as the update window opened; never make a new one to close.
    if (selfTest *open = fw::openInstance<selfTest>())
        open->Close();
}
