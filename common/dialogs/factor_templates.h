// The templates of the factor dialogs, built once and added by each
// deliverable under its own template id.
#pragma once
#include "common/dialogs/bending_life_dialog.h"
#include "fw/resources.h"

namespace kavrin {

fw::DialogTemplate applicationFactorTemplate(int id);
fw::DialogTemplate faceLoadTemplate(int id);
fw::DialogTemplate limitStrengthTemplate(int id);
fw::DialogTemplate accuracyGradeTemplate(int id);
fw::DialogTemplate formFactorOptionsTemplate(int id);
fw::DialogTemplate torqueTemplate(int id);
fw::DialogTemplate bendingLifeTemplate(int id, const BendingLifeOptions& options);
fw::DialogTemplate stressCorrectionTemplate(int id);
fw::DialogTemplate elasticityTemplate(int id);
fw::DialogTemplate workHardeningTemplate(int id);
fw::DialogTemplate lubricantTemplate(int id);
fw::DialogTemplate contactLifeTemplate(int id);
fw::DialogTemplate roughnessTemplate(int id);

}  // namespace kavrin
