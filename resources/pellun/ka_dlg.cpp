// Template 3052: the application factor dialog.
#include "bevel/preliminary/ka_dlg.h"
#include "common/dialogs/factor_templates.h"
#include "resources/pellun/module.h"

namespace pellun {

void addKaDlg(fw::Module& m) { m.addDialog(kavrin::applicationFactorTemplate(CKaDlg::IDD)); }

}  // namespace pellun
