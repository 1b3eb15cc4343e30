#pragma once

#include "framework/net/httpsocket.h"
#include "framework/ui/controls.h"
#include "framework/ui/window.h"

// "Update": fetches the update manifest, compares its version with the program's,
// and either confirms the version or offers the upgrade. Shown modally.
class updateWindow : public fw::Window {
    Q_OBJECT
public:
    static updateWindow &instance() { return fw::implicitInstance<updateWindow>(); }

    fw::Label &StaticText1() const { return control<fw::Label>(QStringLiteral("StaticText1")); }
    fw::ProgressBar &ProgressBar1() const {
        return control<fw::ProgressBar>(QStringLiteral("ProgressBar1"));
    }
    fw::HTTPSocket &hp() const { return control<fw::HTTPSocket>(QStringLiteral("hp")); }
    fw::PushButton &PushButton1() const {
        return control<fw::PushButton>(QStringLiteral("PushButton1"));
    }

    void hp_PageReceived(fw::HTTPSocket &socket, const QString &url, int status,
                         const fw::InternetHeaders &headers, const QString &body);
    void hp_Error(fw::HTTPSocket &socket, int code);
    void PushButton1_Action();

    virtual QString startTag(const QString &name);
    virtual QString endTag(const QString &name);
    virtual void askUpgrade(const QString &version, const QString &description, const QString &url,
                            bool free);
    virtual QString returnValue(const QString &body, const QString &name);

protected:
    void Layout() override;
    void CreateControls() override;
    void Event_Open() override;

private:
    void _CreateControls0();
};
