// Result codes shared by the platform layer and the sound layer: 32-bit, negative on failure.
// The game checks some of them by value, so each keeps one fixed number.
#pragma once

#include <cstdint>

using HResult = std::int32_t;

inline constexpr HResult S_OK = 0;
inline constexpr HResult S_FALSE = 1;
inline constexpr HResult E_FAIL = static_cast<HResult>(0x80004005u);
inline constexpr HResult E_INVALIDARG = static_cast<HResult>(0x80070057u);
inline constexpr HResult E_OUTOFMEMORY = static_cast<HResult>(0x8007000Eu);
inline constexpr HResult CO_E_NOTINITIALIZED = static_cast<HResult>(0x800401F0u);

// Display results.
inline constexpr HResult DDERR_GENERIC = E_FAIL;
inline constexpr HResult DDERR_SURFACELOST = static_cast<HResult>(0x887601C2u);
inline constexpr HResult DDERR_WASSTILLDRAWING = static_cast<HResult>(0x8876021Cu);

// Sound results.
inline constexpr HResult DS_NO_VIRTUALIZATION = static_cast<HResult>(0x0878000Au);
inline constexpr HResult DSERR_BUFFERLOST = static_cast<HResult>(0x88780096u);

inline constexpr bool failed(HResult result) {
    return result < 0;
}
inline constexpr bool succeeded(HResult result) {
    return result >= 0;
}
