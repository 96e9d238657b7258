#pragma once
// The application object (main window, run loop, idle slot, exception
// report, message boxes) and the screen object.

#include <exception>
#include <functional>
#include <memory>
#include <vector>

#include "toolkit/form.h"

class QApplication;

using TIdleEvent = std::function<void(TObject* sender, bool& done)>;

// Message box buttons and icons, and the answers.
enum : unsigned {
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_YESNO = 0x4,
    MB_RETRYCANCEL = 0x5,
    MB_ICONERROR = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONWARNING = 0x30,
    MB_ICONINFORMATION = 0x40,
    MB_DEFBUTTON2 = 0x100,
    MB_SETFOREGROUND = 0x10000,
    MB_TOPMOST = 0x40000,
};
enum : int { IDOK = 1, IDCANCEL = 2, IDRETRY = 4, IDYES = 6, IDNO = 7 };

// Every message box goes through one seam, so tests can answer without a person.
using TMessageBoxHook = std::function<int(const String& text, const String& caption, unsigned flags)>;

class TApplication : public TComponent {
public:
    // Uses the QApplication that exists, or makes and owns one.
    TApplication();
    TApplication(int& argc, char** argv);
    ~TApplication() override;
    String ClassName() const override { return "TApplication"; }

    // Creates a form: allocates it, stores it in the reference, reads its
    // definition, runs its OnCreate, and only then makes it the main form if
    // there is none yet.
    template <class F>
    void CreateForm(F*& reference, const String& definitionResource) {
        F* form = new F(this);
        reference = form;
        form->LoadDefinitionResource(definitionResource);
        form->DoCreate();
        if (!FMainForm) FMainForm = form;
    }

    TForm* MainForm() const { return FMainForm; }
    const String& Title() const { return FTitle; }
    void SetTitle(const String& title) { FTitle = title; }

    // Shows the main form (in its window state) and runs the event loop
    // until the main form closes. Returns the exit code.
    int Run();
    void Terminate();
    bool Terminated() const { return FTerminated; }

    // One slot, not a list. Raised each time the event queue has emptied,
    // from the main form's first paint on.
    TIdleEvent OnIdle;

    // Shows the error's text in a message box; the program goes on.
    void HandleException(std::exception_ptr error);
    int MessageBox(const String& text, const String& caption, unsigned flags);
    TMessageBoxHook MessageBoxHook;

    // Toolkit plumbing.
    void FormDestroyed(TForm* form);
    // The main form painted for the first time: from now on, idle moments count.
    void MainFormPainted();
    void ProcessMessages();
    bool IdleArmed() const { return FIdleArmed; }
    void DoIdle();

private:
    void Initialize();
    std::unique_ptr<QApplication> FQtApplication;
    TForm* FMainForm = nullptr;
    String FTitle;
    bool FTerminated = false;
    bool FIdleArmed = false;
    bool FInIdle = false;
    bool FReportPending = false;
};

class TScreen {
public:
    TScreen();
    ~TScreen();
    // The primary screen's size.
    int Width() const;
    int Height() const;
    int PixelsPerInch() const;
    // The screen area (outer coordinates) that holds a point, or the primary one.
    TRect MonitorRect(TPoint p) const;
    int FormCount() const { return int(FForms.size()); }
    TForm* Forms(int index) const { return FForms.at(std::size_t(index)); }

    void AddForm(TForm* form);
    void RemoveForm(TForm* form);

private:
    std::vector<TForm*> FForms;
};

// The pointer's position in screen coordinates.
TPoint GetCursorPos();

extern TApplication* Application;
extern TScreen* Screen;
