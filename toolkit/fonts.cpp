#include "fonts.h"

#include <cairo-ft.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <cmath>
#include <map>
#include <tuple>

#include "sysutils.h"

namespace {

// Names of faces that Windows drew with Arial's metrics.
std::string substituteName(const std::string& name) {
    return name == "MS Sans Serif" ? "Arial" : name;
}

FcPattern* matchPattern(const std::string& name, TFontStyles style) {
    FcPattern* pattern = FcPatternCreate();
    const std::string family = substituteName(name);
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT,
                        style.Contains(fsBold) ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT,
                        style.Contains(fsItalic) ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match) throw Exception("no font for " + name);
    return match;
}

struct Face {
    cairo_font_face_t* face = nullptr;
    double ascentPerEm = 0;
    double cellPerEm = 0;
};

Face loadFace(const std::string& name, TFontStyles style) {
    FcPattern* match = matchPattern(name, style);
    Face f;
    f.face = cairo_ft_font_face_create_for_pattern(match);
    FcPatternDestroy(match);
    // Unhinted metrics of a large size give the proportions.
    constexpr double kProbe = 1000.0;
    cairo_matrix_t size;
    cairo_matrix_t identity;
    cairo_matrix_init_scale(&size, kProbe, kProbe);
    cairo_matrix_init_identity(&identity);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_scaled_font_t* probe = cairo_scaled_font_create(f.face, &size, &identity, options);
    cairo_font_extents_t extents;
    cairo_scaled_font_extents(probe, &extents);
    cairo_scaled_font_destroy(probe);
    cairo_font_options_destroy(options);
    f.ascentPerEm = extents.ascent / kProbe;
    f.cellPerEm = (extents.ascent + extents.descent) / kProbe;
    return f;
}

const Face& cachedFace(const std::string& name, TFontStyles style) {
    static std::map<std::tuple<std::string, bool, bool>, Face> cache;
    auto key = std::make_tuple(name, style.Contains(fsBold), style.Contains(fsItalic));
    auto found = cache.find(key);
    if (found == cache.end()) found = cache.emplace(key, loadFace(name, style)).first;
    return found->second;
}

} // namespace

ResolvedFont ResolveFont(const TFont& font) {
    const Face& face = cachedFace(font.Name(), font.Style());
    ResolvedFont resolved;
    resolved.face = face.face;
    const int height = font.Height() == 0 ? -11 : font.Height();
    if (height > 0) {
        resolved.emSize = height / face.cellPerEm;
        resolved.cellHeight = height;
    } else {
        resolved.emSize = -height;
        resolved.cellHeight = static_cast<int>(std::lround(-height * face.cellPerEm));
    }
    resolved.ascent = resolved.emSize * face.ascentPerEm;
    return resolved;
}

std::string ResolvedFamily(const std::string& name, TFontStyles style) {
    FcPattern* match = matchPattern(name, style);
    FcChar8* family = nullptr;
    std::string result;
    if (FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch)
        result = reinterpret_cast<const char*>(family);
    FcPatternDestroy(match);
    return result;
}
