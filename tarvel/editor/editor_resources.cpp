#include "editor_resources.h"

#include <string>

#include "artwork.h"

namespace editor_layouts {
std::span<const unsigned char> File(std::string_view name);
}

std::string_view EditorLayout(std::string_view name) {
    const std::span<const unsigned char> text = editor_layouts::File(name);
    if (text.empty()) throw ELayoutError("no stored layout " + std::string(name));
    return {reinterpret_cast<const char*>(text.data()), text.size()};
}

const LayoutResources& EditorPictures() {
    static const LayoutResources pictures = [](std::string_view name) {
        return artwork::File(std::string(name) + ".bmp");
    };
    return pictures;
}

TPicture EditorPicture(std::string_view name) {
    const std::span<const unsigned char> data = EditorPictures()(name);
    if (data.empty()) throw ELayoutError("no picture " + std::string(name));
    TPicture picture;
    picture.SetBitmap(TBitmap::FromBmp(data));
    return picture;
}
