#include "headless_screen.h"

#include <filesystem>
#include <stdexcept>

#include "render.h"

namespace testing_ui {

HeadlessScreen::HeadlessScreen() {
    auto windows = std::make_unique<HeadlessWindowSystem>();
    FWindows = windows.get();
    Application().SetWindowSystem(std::move(windows));
}

HeadlessScreen::~HeadlessScreen() {
    Application().SetWindowSystem(nullptr);
}

std::string MessageText(TForm& box) {
    auto* message = dynamic_cast<TLabel*>(box.FindComponent("Message"));
    if (!message) throw std::logic_error("the form is no message box");
    return message->Caption();
}

std::string SaveRender(const TBitmap& bitmap, const std::string& name) {
    std::filesystem::create_directories(ZU_RENDER_DIR);
    const std::string path = std::string(ZU_RENDER_DIR) + "/" + name + ".png";
    SaveToPng(bitmap, path);
    return path;
}

} // namespace testing_ui
