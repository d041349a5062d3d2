// Templates 3047 and 3049: the face load factor dialogs.
#include "bevel/preliminary/khbita_dlg.h"
#include "bevel/preliminary/kwbita_dlg.h"
#include "resources/pellun/module.h"

namespace pellun {

void addFaceLoadDlgs(fw::Module& m) {
    using namespace kavrin;
    m.addDialog(faceLoadTableTemplate(CKhbitaDlg::IDD, FaceLoadFactor::Contact, FaceLoadBuild::Preliminary));
    m.addDialog(faceLoadTableTemplate(CKwbitaDlg::IDD, FaceLoadFactor::Bending, FaceLoadBuild::Preliminary));
}

}  // namespace pellun
