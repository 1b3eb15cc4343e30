#pragma once

#include "framework/ui/application.h"

namespace fw {
class MenuItem;
}

// The application object: the first deal at start, the page layout numbers, and
// the menu commands that the application answers whatever window is in front.
class App : public fw::Application {
public:
    // The registered application object; raises NilObjectException when there is none.
    static App &instance();

    App();

    void Event_Open() override;
    void Event_EnableMenuItems() override;

    // Registers the application's menu handlers by item name.
    void AddMenuHandlers();

    bool _CheckforUpdateCheckNow_Action();
    bool _HelpAbout_Action();
    bool _FilePrintPageofHands_Action();
    bool _FileQuit_Action();
    bool _FilePrintHelp_Action();

    // Computes the page layout numbers from the screen's available height.
    void SetUpXY();
    // The same for a screen whose available height is h pixels.
    static void setUpXYFor(int h);

    // Items of the application's menu bar.
    fw::MenuItem &FileQuit();
    fw::MenuItem &FilePrintHelp();
};
