#include "waveform_picture.h"

#include <cairo.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>

namespace zu::demo {

namespace {

constexpr int kWidth = 1200;
constexpr int kLaneHeight = 150;
constexpr int kMargin = 30;

struct Lane {
    double top;
    double height;
};

struct Colour {
    double r, g, b;
};

constexpr Colour kInputColour{0.45, 0.45, 0.45};
constexpr Colour kOutputColour{0.05, 0.35, 0.8};

void drawFrame(cairo_t* cr, const Lane& lane, const char* caption) {
    cairo_set_source_rgb(cr, 0.97, 0.97, 0.97);
    cairo_rectangle(cr, kMargin, lane.top, kWidth - 2 * kMargin, lane.height);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.75, 0.75, 0.75);
    cairo_set_line_width(cr, 1.0);
    cairo_move_to(cr, kMargin, lane.top + lane.height / 2 + 0.5);
    cairo_line_to(cr, kWidth - kMargin, lane.top + lane.height / 2 + 0.5);
    cairo_stroke(cr);
    cairo_set_source_rgb(cr, 0.1, 0.1, 0.1);
    cairo_move_to(cr, kMargin + 4, lane.top + 14);
    cairo_show_text(cr, caption);
}

double yOf(const Lane& lane, float v) {
    const double clipped = std::clamp(static_cast<double>(v), -1.0, 1.0);
    return lane.top + lane.height / 2 - clipped * (lane.height / 2 - 2);
}

// Minimum and maximum of each pixel column: the envelope of a long stretch.
void drawEnvelope(cairo_t* cr, const Lane& lane, const std::vector<float>& samples, Colour colour) {
    const int columns = kWidth - 2 * kMargin;
    cairo_set_source_rgb(cr, colour.r, colour.g, colour.b);
    cairo_set_line_width(cr, 1.0);
    for (int x = 0; x < columns && !samples.empty(); ++x) {
        const std::size_t from = samples.size() * x / columns;
        const std::size_t to = std::max(from + 1, samples.size() * (x + 1) / columns);
        const auto [lo, hi] = std::minmax_element(samples.begin() + from, samples.begin() + to);
        cairo_move_to(cr, kMargin + x + 0.5, yOf(lane, *hi) - 0.5);
        cairo_line_to(cr, kMargin + x + 0.5, yOf(lane, *lo) + 0.5);
    }
    cairo_stroke(cr);
}

// The samples from..from+count as a line.
void drawLine(cairo_t* cr, const Lane& lane, const std::vector<float>& samples, std::size_t from,
              std::size_t count, Colour colour) {
    cairo_set_source_rgb(cr, colour.r, colour.g, colour.b);
    cairo_set_line_width(cr, 1.5);
    const double span = kWidth - 2 * kMargin;
    for (std::size_t i = 0; i < count && from + i < samples.size(); ++i) {
        const double x = kMargin + span * static_cast<double>(i) / static_cast<double>(count - 1);
        if (i == 0)
            cairo_move_to(cr, x, yOf(lane, samples[from]));
        else
            cairo_line_to(cr, x, yOf(lane, samples[from + i]));
    }
    cairo_stroke(cr);
}

std::size_t firstSound(const std::vector<float>& samples) {
    const auto found =
        std::find_if(samples.begin(), samples.end(), [](float v) { return v != 0.0f; });
    return static_cast<std::size_t>(found - samples.begin());
}

// Agreement of the output, shifted back by `lag`, with the input over a second from `from`.
double agreement(const std::vector<float>& input, const std::vector<float>& output,
                 std::size_t from, std::size_t lag, int sampleRate) {
    double sum = 0.0;
    const auto to = from + static_cast<std::size_t>(sampleRate);
    for (std::size_t i = from; i < to && i + lag < output.size() && i < input.size(); ++i)
        sum += static_cast<double>(input[i]) * output[i + lag];
    return sum;
}

// How many samples the output lags the input: the gap between their first sounding samples,
// if the output agrees better with the input at that shift than unshifted (an effect whose
// output merely starts late, like a sample-and-hold, keeps 0).
std::size_t outputLag(const std::vector<float>& input, const std::vector<float>& output,
                      std::size_t from, int sampleRate) {
    const std::size_t in = firstSound(input);
    const std::size_t out = firstSound(output);
    if (out <= in || out == output.size()) return 0;
    const std::size_t lag = out - in;
    return agreement(input, output, from, lag, sampleRate) >
                   agreement(input, output, from, 0, sampleRate)
               ? lag
               : 0;
}

} // namespace

void drawWaveforms(const std::string& pngPath, const std::string& title,
                   const host::StereoSignal& input, const host::StereoSignal& output,
                   int sampleRate) {
    const int height = 3 * kLaneHeight + 5 * kMargin;
    std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface(
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, height), cairo_surface_destroy);
    std::unique_ptr<cairo_t, decltype(&cairo_destroy)> context(cairo_create(surface.get()),
                                                               cairo_destroy);
    cairo_t* cr = context.get();
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_select_font_face(cr, "Liberation Sans", CAIRO_FONT_SLANT_NORMAL,
                           CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 13);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_move_to(cr, kMargin, 20);
    cairo_show_text(cr, title.c_str());

    const Lane in{1.5 * kMargin, kLaneHeight};
    const Lane out{in.top + kLaneHeight + kMargin, kLaneHeight};
    const Lane zoom{out.top + kLaneHeight + kMargin, kLaneHeight};
    drawFrame(cr, in, "input (left channel)");
    drawEnvelope(cr, in, input.left, kInputColour);
    drawFrame(cr, out, "output (left channel)");
    drawEnvelope(cr, out, output.left, kOutputColour);

    // 25 ms from the middle of the sound, input in grey and output in blue, the output moved
    // back by its lag so that each stretch of input lies over what it became.
    const auto count = static_cast<std::size_t>(sampleRate / 40);
    const std::size_t from = input.frames() > count ? (input.frames() - count) / 2 : 0;
    const std::size_t lag = outputLag(input.left, output.left, from, sampleRate);
    std::string caption = "25 ms from the middle: input grey, output blue";
    if (lag > 0) caption += " (moved back by its lag of " + std::to_string(lag) + " samples)";
    drawFrame(cr, zoom, caption.c_str());
    drawLine(cr, zoom, input.left, from, count, kInputColour);
    drawLine(cr, zoom, output.left, from + lag, count, kOutputColour);

    if (cairo_surface_write_to_png(surface.get(), pngPath.c_str()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot write picture '" + pngPath + "'");
}

} // namespace zu::demo
