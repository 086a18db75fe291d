#include "render.h"

#include <cairo.h>

#include "cairo_canvas.h"
#include "forms.h"
#include "sysutils.h"

namespace {

struct ImageSurface {
    explicit ImageSurface(int width, int height)
        : surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height)) {}
    ~ImageSurface() { cairo_surface_destroy(surface); }
    ImageSurface(const ImageSurface&) = delete;
    ImageSurface& operator=(const ImageSurface&) = delete;
    cairo_surface_t* surface;
};

} // namespace

TBitmap RenderToBitmap(TControl& control) {
    const int width = std::max(control.Width(), 1);
    const int height = std::max(control.Height(), 1);
    ImageSurface image(width, height);
    cairo_t* cr = cairo_create(image.surface);
    {
        CairoCanvas canvas(cr);
        if (auto* form = dynamic_cast<TForm*>(&control)) {
            form->PaintTo(canvas);
        } else {
            canvas.PushClip({0, 0}, control.ClientRect());
            PaintControl(control, canvas);
            canvas.PopClip();
        }
    }
    cairo_destroy(cr);
    cairo_surface_flush(image.surface);
    TBitmap bitmap(width, height);
    const unsigned char* data = cairo_image_surface_get_data(image.surface);
    const int stride = cairo_image_surface_get_stride(image.surface);
    for (int y = 0; y < height; ++y) {
        const auto* row =
            reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < width; ++x)
            bitmap.SetPixel(x, y, row[x] & 0xFFFFFF);
    }
    return bitmap;
}

void SaveToPng(const TBitmap& bitmap, const std::string& path) {
    ImageSurface image(bitmap.Width(), bitmap.Height());
    unsigned char* data = cairo_image_surface_get_data(image.surface);
    const int stride = cairo_image_surface_get_stride(image.surface);
    for (int y = 0; y < bitmap.Height(); ++y) {
        auto* row =
            reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < bitmap.Width(); ++x)
            row[x] = bitmap.Pixel(x, y);
    }
    cairo_surface_mark_dirty(image.surface);
    if (cairo_surface_write_to_png(image.surface, path.c_str()) != CAIRO_STATUS_SUCCESS)
        throw Exception("cannot write " + path);
}
