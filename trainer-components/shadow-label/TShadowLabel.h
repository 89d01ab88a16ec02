#pragma once

#include "trainer-components/shadow-label/TCustomShadowLabel.h"

// The shadow label the windows place; all behaviour lives in the base.
class TShadowLabel : public TCustomShadowLabel
{
    Q_OBJECT

public:
    using TCustomShadowLabel::TCustomShadowLabel;
};
