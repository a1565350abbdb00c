#pragma once
// The reference window of the object type codes of the terrain profile (prf.tip).

#include "code_reference.h"

namespace vakrel {

struct HopModel;

class TForm8 : public CodeReferenceWindow {
    Q_OBJECT
public:
    TForm8(HopModel& model, UserSeam& seam);
};

}  // namespace vakrel
