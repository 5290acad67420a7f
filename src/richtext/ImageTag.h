#pragma once

#include <QCoreApplication>
#include <QString>

#include <optional>

// The HTML image tag that "Add An Image" inserts as text: the picture at a fixed width of 200,
// its height keeping the aspect ratio.
class ImageTag
{
public:
    static constexpr int Width = 200;

    // "file:///" followed by the path with forward slashes and without a leading slash:
    // C:\Pictures\a.jpg -> file:///C:/Pictures/a.jpg, /home/a/b.jpg -> file:///home/a/b.jpg.
    static QString fileUrl(const QString& path);
    // The height at width 200, halves to the even number; nothing when the width is 0.
    static std::optional<int> heightAt200(int width, int height);
    static QString text(const QString& path, int height);
    // The tag for a JPEG file; nothing when the file gives no size.
    static std::optional<QString> forFile(const QString& path);
};
