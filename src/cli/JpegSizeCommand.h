#pragma once

class CliContext;

// `jpeg-size FILE`: the width and height the JPEG size reader gives, separated by one blank.
int runJpegSizeCommand(CliContext& context);
