#include "UiFixture.h"

namespace VKUI::test {

void UiTest::WritePng(const std::string& name, int w, int h, ARGB fill, ARGB borderColour,
                      int border) {
    auto dc = DC::CreateImage(w, h, 0, 0);
    MRender::DrawColor(dc.get(), CRect(0, 0, w, h), border ? borderColour : fill);
    if (border)
        MRender::DrawColor(dc.get(), CRect(border, border, w - border, h - border), fill);
    ASSERT_TRUE(MRender::SaveDCToFile(dc.get(), skinDir + name));
}

}  // namespace VKUI::test
