// What `vorn --help` prints: the forms of the command line and every option.
#pragma once

extern const char kUsageText[];
