// Column layouts that several section tables share.
#pragma once

#include <array>

#include "sections/SectionTable.h"

namespace kx {

// The columns of a parallel-flange I/H row published in full.
inline constexpr std::array<SectionField, 21> IHListedColumns = {
    &TSectionRec::D,      &TSectionRec::B,      &TSectionRec::t,  &TSectionRec::T,
    &TSectionRec::r1,     &TSectionRec::b,      &TSectionRec::d,  &TSectionRec::A,
    &TSectionRec::Ixx,    &TSectionRec::Iyy,    &TSectionRec::rx, &TSectionRec::ry,
    &TSectionRec::FibreY, &TSectionRec::FibreX, &TSectionRec::J,  &TSectionRec::TorsionLength,
    &TSectionRec::Sx,     &TSectionRec::Sy,     &TSectionRec::u,  &TSectionRec::x,
    &TSectionRec::H};

// The dimensions from which a parallel-flange I/H row is derived.
inline constexpr std::array<SectionField, 5> IHDimensionColumns = {
    &TSectionRec::D, &TSectionRec::B, &TSectionRec::t, &TSectionRec::T, &TSectionRec::r1};

// Channels keep the distance from the back of the web to the plastic neutral axis about y-y in
// the field that other tables use for the permissible shear (byte 188).
inline constexpr std::array<SectionField, 23> ChannelColumns = {
    &TSectionRec::D,   &TSectionRec::B,      &TSectionRec::t,        &TSectionRec::T,
    &TSectionRec::r1,  &TSectionRec::r2,     &TSectionRec::d,        &TSectionRec::A,
    &TSectionRec::Ixx, &TSectionRec::Iyy,    &TSectionRec::rx,       &TSectionRec::ry,
    &TSectionRec::cy,  &TSectionRec::FibreY, &TSectionRec::J,        &TSectionRec::TorsionLength,
    &TSectionRec::Cs,  &TSectionRec::Sx,     &TSectionRec::Sy,       &TSectionRec::u,
    &TSectionRec::x,   &TSectionRec::H,      &TSectionRec::PermShear};

// The columns of an unequal angle row published in full (T = t is derived).
inline constexpr std::array<SectionField, 21> UnequalAngleColumns = {
    &TSectionRec::D,      &TSectionRec::B,      &TSectionRec::t,
    &TSectionRec::r1,     &TSectionRec::r2,     &TSectionRec::A,
    &TSectionRec::Ixx,    &TSectionRec::Iyy,    &TSectionRec::rx,
    &TSectionRec::ry,     &TSectionRec::cx,     &TSectionRec::cy,
    &TSectionRec::FibreY, &TSectionRec::FibreX, &TSectionRec::Iu,
    &TSectionRec::Iv,     &TSectionRec::ru,     &TSectionRec::rv,
    &TSectionRec::Alpha,  &TSectionRec::J,      &TSectionRec::TorsionLength};

} // namespace kx
