#pragma once

class CliContext;

// `image-tag FILE`: the image tag text "Add An Image" would insert for FILE.
int runImageTagCommand(CliContext& context);
