#include "resources/belmar/module.h"

namespace belmar {

fw::Module& module() {
    static fw::Module m = [] {
        fw::Module mod("belmar");
        addStrings(mod);
        addAolDialogs(mod);
        addAolBitmaps(mod);
        addAolMainDialog(mod);
        addPictures(mod);
        addBelmarLenDlg(mod);
        addBelmarLenImgDlg(mod);
        addBelmarArcDlg(mod);
        return mod;
    }();
    return m;
}

}  // namespace belmar
