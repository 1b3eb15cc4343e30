#include "update/aboutbox.h"

#include "app/addresses.h"
#include "app/app.h"
#include "framework/ui/dialogs.h"

namespace {
const QString credits =
    QStringLiteral("Developed by\rMara Lindqvist\r\rSr. Beta Tester\rTomas Okafor");
}

void AboutBox::Layout() {
    setDesign(QStringLiteral("About..."), 264, 295);
}

void AboutBox::CreateControls() {
    _CreateControls0();
}

void AboutBox::_CreateControls0() {
    const QFont systemBold = fw::designFont(QStringLiteral("System"), 0, true);
    const QFont arial12Bold = fw::designFont(QStringLiteral("Arial"), 12, true);

    auto *email = addControl(new fw::PushButton(QStringLiteral("Email Author")),
                             QStringLiteral("PushButton1"), 72, 180, 120, 21);
    email->setFont(systemBold);
    bindAction(email, [this] { PushButton1_Action(); });

    auto *web = addControl(new fw::PushButton(QStringLiteral("Visit Web Site")),
                           QStringLiteral("PushButton2"), 72, 217, 120, 21);
    web->setFont(systemBold);
    bindAction(web, [this] { PushButton2_Action(); });

    auto *creditsLabel =
        addControl(new fw::Label(credits), QStringLiteral("StaticText2"), 80, 86, 104, 87);
    creditsLabel->setFont(fw::designFont(QStringLiteral("System"), 0, false));
    creditsLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    auto *name = addControl(new fw::Label(QStringLiteral("Quillory")),
                            QStringLiteral("StaticText1"), 20, 20, 224, 45);
    name->setFont(fw::designFont(QStringLiteral("Arial"), 30, true));
    name->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    auto *versionCaption = addControl(new fw::Label(QStringLiteral("Version:")),
                                      QStringLiteral("StaticText3"), 72, 60, 56, 20);
    versionCaption->setFont(arial12Bold);
    versionCaption->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *version = addControl(new fw::Label(QStringLiteral("1.1.0 Intel")),
                               QStringLiteral("StaticText4"), 122, 60, 70, 20);
    version->setFont(arial12Bold);
    version->setAlignment(Qt::AlignRight | Qt::AlignTop);
    StaticText4_Open();

    auto *order = addControl(new fw::PushButton(QStringLiteral("Support Orvane")),
                             QStringLiteral("OrderPage"), 72, 254, 120, 21);
    order->setFont(systemBold);
    setDefaultButton(order);
    bindAction(order, [this] { OrderPage_Action(); });
}

void AboutBox::PushButton1_Action() {
    fw::ShowURL(addresses::authorMail);
}

void AboutBox::PushButton2_Action() {
    fw::ShowURL(addresses::makerWebAddress);
}

void AboutBox::StaticText4_Open() {
    StaticText4().setText(App::instance().LongVersion());
}

void AboutBox::OrderPage_Action() {
    fw::ShowURL(addresses::orderPage);
}
