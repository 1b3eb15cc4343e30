#pragma once

#include "framework/ui/controls.h"
#include "framework/ui/window.h"

// The About window: the program's name, the credits and the version, and three
// buttons that hand the author's mail link, the maker's web site and the order
// page to the system.
class AboutBox : public fw::Window {
    Q_OBJECT
public:
    static AboutBox &instance() { return fw::implicitInstance<AboutBox>(); }

    fw::PushButton &PushButton1() const {
        return control<fw::PushButton>(QStringLiteral("PushButton1"));
    }
    fw::PushButton &PushButton2() const {
        return control<fw::PushButton>(QStringLiteral("PushButton2"));
    }
    fw::Label &StaticText2() const { return control<fw::Label>(QStringLiteral("StaticText2")); }
    fw::Label &StaticText1() const { return control<fw::Label>(QStringLiteral("StaticText1")); }
    fw::Label &StaticText3() const { return control<fw::Label>(QStringLiteral("StaticText3")); }
    fw::Label &StaticText4() const { return control<fw::Label>(QStringLiteral("StaticText4")); }
    fw::PushButton &OrderPage() const {
        return control<fw::PushButton>(QStringLiteral("OrderPage"));
    }

    void PushButton1_Action();
    void PushButton2_Action();
    void StaticText4_Open();
    void OrderPage_Action();

protected:
    void Layout() override;
    void CreateControls() override;

private:
    void _CreateControls0();
};
