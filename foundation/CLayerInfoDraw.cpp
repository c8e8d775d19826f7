#include "CLayerInfo.h"

void CLayerInfo::DrawWordArt()
{
    WordArt.DrawEffectText(&Image, true);
}
