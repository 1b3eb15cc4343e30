#pragma once

#include "framework/ui/controls.h"
#include "framework/ui/window.h"

// "Self Test": the program's version and the "Check for Updates" button.
class selfTest : public fw::Window {
    Q_OBJECT
public:
    static selfTest &instance() { return fw::implicitInstance<selfTest>(); }

    fw::Label &StaticText1() const { return control<fw::Label>(QStringLiteral("StaticText1")); }
    fw::Label &StaticText2() const { return control<fw::Label>(QStringLiteral("StaticText2")); }
    fw::PushButton &PushButton1() const {
        return control<fw::PushButton>(QStringLiteral("PushButton1"));
    }

    void StaticText2_Open();
    void PushButton1_Action();

protected:
    void Layout() override;
    void CreateControls() override;

private:
    void _CreateControls0();
};
