#include "AboutBox.h"
#include "BuiltinArt.h"
#include "HelpWindow.h"
#include "frmVarnel.h"

// The help pages and the about window.
namespace varnel {

void frmVarnel::mnuHelpContents_Click() { ShowHelp(HelpFile_, HelpDisplayContents); }

void frmVarnel::mnuAbout_Click() {
    frmAboutBox about(ProgramIcon().pixmap(64, 64), this);
    about.exec();
}

}  // namespace varnel
