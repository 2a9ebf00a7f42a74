// Reading method arguments and pushing method results by their libharu type,
// and the generic method that calls one libharu function.
//
// A method reads its own handle (argument 1), then one argument per further
// parameter of the libharu function, in order: numbers for HPDF_REAL,
// numbers truncated to the parameter's width for integers and enumerations
// (so 16-bit values are taken modulo 65536), strings for texts, handles for
// libharu objects (nil passes null), and tables for rectangles, points,
// colours and dates. The result is pushed by its type: status codes and
// integers as integers, HPDF_REAL as a number, texts as strings (nil for
// none), libharu objects as handles of the kind the method names, and
// libharu's records as tables.
#pragma once

#include "../frame/plugin.h"
#include "handles.h"
#include "library_errors.h"

#include <hpdf.h>

#include <cstddef>
#include <tuple>
#include <type_traits>
#include <utility>

// Integer arguments: the number truncated toward zero, clamped to 64 bits.
int64_t sv_truncate(double value);

// Table arguments; a missing or non-numeric field fails with host code 1159 naming it.
int sv_read_rect(ScriptState *state, int pos, HPDF_Rect *out);
int sv_read_point(ScriptState *state, int pos, HPDF_Point *out);
int sv_read_rgb(ScriptState *state, int pos, HPDF_RGBColor *out);
int sv_read_cmyk(ScriptState *state, int pos, HPDF_CMYKColor *out);
// Dates also need "ind" as a string (host code 1197) and take "off_hour" and "off_minutes" as optional.
int sv_read_date(ScriptState *state, int pos, HPDF_Date *out);

// Result tables.
void sv_push_rect(ScriptState *state, HPDF_Rect value); // {left, bottom, right, top}
void sv_push_rgb(ScriptState *state, HPDF_RGBColor value);
void sv_push_cmyk(ScriptState *state, HPDF_CMYKColor value);
void sv_push_matrix(ScriptState *state, HPDF_TransMatrix value);
void sv_push_dash(ScriptState *state, HPDF_DashMode value);
void sv_push_text_width(ScriptState *state, HPDF_TextWidth value);

namespace sv_detail {

template <typename T>
concept LibraryObject = std::is_pointer_v<T> && std::is_class_v<std::remove_pointer_t<T>>;

inline int read(ScriptState *state, int pos, HPDF_REAL &out)
{
    out = HPDF_REAL(sv_script().checkNumber(state, pos));
    return 0;
}

template <typename T>
    requires(std::is_integral_v<T> || std::is_enum_v<T>)
int read(ScriptState *state, int pos, T &out)
{
    out = static_cast<T>(sv_truncate(sv_script().checkNumber(state, pos)));
    return 0;
}

inline int read(ScriptState *state, int pos, const char *&out)
{
    out = sv_script().checkString(state, pos, nullptr);
    return 0;
}

template <LibraryObject T> int read(ScriptState *state, int pos, T &out)
{
    void *object;
    int err = sv_read_handle(state, pos, &object);
    out = static_cast<T>(object);
    return err;
}

inline int read(ScriptState *state, int pos, HPDF_Rect &out) { return sv_read_rect(state, pos, &out); }
inline int read(ScriptState *state, int pos, HPDF_Point &out) { return sv_read_point(state, pos, &out); }
inline int read(ScriptState *state, int pos, HPDF_RGBColor &out) { return sv_read_rgb(state, pos, &out); }
inline int read(ScriptState *state, int pos, HPDF_CMYKColor &out) { return sv_read_cmyk(state, pos, &out); }
inline int read(ScriptState *state, int pos, HPDF_Date &out) { return sv_read_date(state, pos, &out); }

// Reads the arguments from position 2 on; the first failure ends the reading.
template <typename Tuple, std::size_t... I> int read_all(ScriptState *state, Tuple &args, std::index_sequence<I...>)
{
    int err = 0;
    (void)state; // a function without further parameters reads nothing
    ((err = err ? err : read(state, int(I) + 2, std::get<I>(args))), ...);
    return err;
}

template <int Kind, typename R> int push(ScriptState *state, R value)
{
    const KsScriptServices &s = sv_script();
    if constexpr (LibraryObject<R>) {
        static_assert(Kind != SV_KIND_NONE, "a method returning a libharu object names the handle kind");
        sv_push_handle(state, Kind, value);
    } else if constexpr (std::is_same_v<R, HPDF_REAL>) {
        s.pushNumber(state, value);
    } else if constexpr (std::is_integral_v<R> || std::is_enum_v<R>) {
        s.pushInteger(state, int64_t(value));
    } else if constexpr (std::is_same_v<R, const char *>) {
        if (value) s.pushString(state, value); else s.pushNil(state);
    } else if constexpr (std::is_same_v<R, HPDF_Rect>) {
        sv_push_rect(state, value);
    } else if constexpr (std::is_same_v<R, HPDF_RGBColor>) {
        sv_push_rgb(state, value);
    } else if constexpr (std::is_same_v<R, HPDF_CMYKColor>) {
        sv_push_cmyk(state, value);
    } else if constexpr (std::is_same_v<R, HPDF_TransMatrix>) {
        sv_push_matrix(state, value);
    } else if constexpr (std::is_same_v<R, HPDF_DashMode>) {
        sv_push_dash(state, value);
    } else if constexpr (std::is_same_v<R, HPDF_TextWidth>) {
        sv_push_text_width(state, value);
    } else {
        static_assert(sizeof(R) == 0, "no script form for this result type");
    }
    return 1;
}

template <int SelfKind, int Kind, typename R, typename Self, typename... A>
int invoke(ScriptState *state, R (*function)(Self, A...))
{
    void *self;
    int err = sv_read_self(state, SelfKind, &self);
    if (err) return err;
    std::tuple<std::remove_cv_t<A>...> args{};
    err = read_all(state, args, std::index_sequence_for<A...>{});
    if (err) return err;
    auto call = [&](auto &...a) { return function(static_cast<Self>(self), a...); };
    if constexpr (std::is_void_v<R>) {
        std::apply(call, args);
        return sv_library_error();
    } else {
        R result = std::apply(call, args);
        err = sv_library_error();
        return err ? err : push<Kind>(state, result);
    }
}

} // namespace sv_detail

// The method of handles of `SelfKind` that calls `Function` on its handle
// with the further arguments read by type, pushing the result (a handle of
// `Kind` for libharu objects). Each method table names its kind once:
//     template <auto F, int K = SV_KIND_NONE> constexpr KsCommand M = sv_method<SV_KIND_PAGE, F, K>;
template <int SelfKind, auto Function, int Kind = SV_KIND_NONE> int sv_method(ScriptState *state)
{
    return sv_detail::invoke<SelfKind, Kind>(state, Function);
}

// A method libharu 2.3.0 does not have: it fails with a clear message.
int sv_missing_function(const char *name);

// Ends a method that calls libharu and pushes its status: the recorded
// library error, or the status as one integer result.
inline int sv_status_result(ScriptState *state, HPDF_STATUS status)
{
    if (int err = sv_library_error()) return err;
    sv_script().pushInteger(state, int64_t(status));
    return 1;
}

// Ends a method that pushes a handle of `kind` for what libharu returned.
inline int sv_handle_result(ScriptState *state, int kind, void *object)
{
    if (int err = sv_library_error()) return err;
    sv_push_handle(state, kind, object);
    return 1;
}
