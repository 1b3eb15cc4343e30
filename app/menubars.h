#pragma once

#include "framework/ui/menu.h"

// The program's three menu bars, each one shared instance made on first use:
// MenuBar1 for the application and the main window, MenuBar2 for the page of
// hands, MenuBar3 for the help window.
class MenuBar1 : public fw::MenuBar {
public:
    static MenuBar1 &instance();
    MenuBar1();

private:
    void Untitled0(); // File
    void Untitled1(); // Edit
    void Untitled2(); // Check for Update
    void Untitled3(); // Help
};

class MenuBar2 : public fw::MenuBar {
public:
    static MenuBar2 &instance();
    MenuBar2();

private:
    void Untitled0(); // File
    void Untitled1(); // Edit
};

class MenuBar3 : public fw::MenuBar {
public:
    static MenuBar3 &instance();
    MenuBar3();

private:
    void Untitled0(); // File
    void Untitled1(); // Edit
};

// Drops the three instances at exit.
void releaseMenuBars();
