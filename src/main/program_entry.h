#pragma once

class TApplication;
class TQuickForm;

// The program's start-up, on the platform services and window backend installed by the caller
// (main.cpp picks them; tests and benchmarks pick the headless ones).

// The start-up steps of the modules, in module order: the framework's controls, the cursor module
// (the dialog behind ReportNotImplemented and the two fixed cursors), the colour reduction's
// nearest-level maps, the icon list's clipboard format, the GIF pictures and the animator. Needs
// the application object (it makes the screen).
void StartModules();

// Everything before the message loop: the module start-up, the application initialised and
// titled "Quick Introduction", and the window created from its stored description (which runs its
// creation handler). Returns the window, the application's main form.
TQuickForm* StartQuickIntroduction(TApplication& application);

// The whole program: start-up, then the message loop until the window closes. Returns the exit
// code, 0.
int RunQuickIntroduction();
