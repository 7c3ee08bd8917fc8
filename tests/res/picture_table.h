// The 48 bitmaps the program loads: id, size and what kind of picture each is.
#pragma once

enum class PictureKind { Board, GlyphPicture, GlyphMask, Green, Arrow };

struct PictureSpec {
    int id;
    int width;
    int height;
    PictureKind kind;
    int pairId; // a glyph's mask, or a mask's picture; 0 otherwise
};

constexpr PictureSpec kPictures[] = {
    {104, 250, 100, PictureKind::Board, 0},        {116, 16, 22, PictureKind::GlyphPicture, 125},
    {113, 16, 22, PictureKind::GlyphPicture, 126}, {117, 16, 22, PictureKind::GlyphPicture, 127},
    {118, 16, 22, PictureKind::GlyphPicture, 128}, {119, 16, 22, PictureKind::GlyphPicture, 129},
    {120, 16, 22, PictureKind::GlyphPicture, 130}, {121, 16, 22, PictureKind::GlyphPicture, 131},
    {122, 16, 22, PictureKind::GlyphPicture, 132}, {123, 16, 22, PictureKind::GlyphPicture, 136},
    {124, 16, 22, PictureKind::GlyphPicture, 133}, {134, 6, 6, PictureKind::GlyphPicture, 135},
    {137, 30, 22, PictureKind::GlyphPicture, 138}, {139, 16, 22, PictureKind::GlyphPicture, 140},
    {141, 16, 22, PictureKind::GlyphPicture, 142}, {125, 16, 22, PictureKind::GlyphMask, 116},
    {126, 16, 22, PictureKind::GlyphMask, 113},    {127, 16, 22, PictureKind::GlyphMask, 117},
    {128, 16, 22, PictureKind::GlyphMask, 118},    {129, 16, 22, PictureKind::GlyphMask, 119},
    {130, 16, 22, PictureKind::GlyphMask, 120},    {131, 16, 22, PictureKind::GlyphMask, 121},
    {132, 16, 22, PictureKind::GlyphMask, 122},    {136, 16, 22, PictureKind::GlyphMask, 123},
    {133, 16, 22, PictureKind::GlyphMask, 124},    {135, 6, 6, PictureKind::GlyphMask, 134},
    {138, 30, 22, PictureKind::GlyphMask, 137},    {140, 16, 22, PictureKind::GlyphMask, 139},
    {142, 16, 22, PictureKind::GlyphMask, 141},    {165, 16, 16, PictureKind::Green, 0},
    {166, 16, 16, PictureKind::Green, 0},          {151, 27, 51, PictureKind::Green, 0},
    {156, 11, 13, PictureKind::Green, 0},          {154, 11, 13, PictureKind::Green, 0},
    {158, 11, 13, PictureKind::Green, 0},          {159, 11, 13, PictureKind::Green, 0},
    {157, 11, 13, PictureKind::Green, 0},          {153, 11, 13, PictureKind::Green, 0},
    {155, 11, 13, PictureKind::Green, 0},          {150, 31, 19, PictureKind::Green, 0},
    {152, 30, 28, PictureKind::Green, 0},          {160, 30, 28, PictureKind::Green, 0},
    {161, 30, 28, PictureKind::Green, 0},          {162, 30, 28, PictureKind::Green, 0},
    {163, 30, 28, PictureKind::Green, 0},          {164, 30, 28, PictureKind::Green, 0},
    {147, 13, 13, PictureKind::Arrow, 0},          {148, 13, 13, PictureKind::Arrow, 0},
};

constexpr int kPictureCount = sizeof(kPictures) / sizeof(kPictures[0]);

// The digits' pictures in digit order (0 … 9); ids do not run in that order.
constexpr int kDigitPictures[10] = {116, 113, 117, 118, 119, 120, 121, 122, 123, 124};
