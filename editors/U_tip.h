#pragma once
// The reference window of the codes of typical propagation conditions (rrv.tip).

#include "code_reference.h"

namespace vakrel {

struct HopModel;

class TForm5 : public CodeReferenceWindow {
    Q_OBJECT
public:
    TForm5(HopModel& model, UserSeam& seam);
};

}  // namespace vakrel
