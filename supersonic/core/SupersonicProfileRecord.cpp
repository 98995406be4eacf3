#include "supersonic/core/SupersonicProfileRecord.h"

SupersonicProfileRecord::SupersonicProfileRecord(bool partsModeIn, int part1PointCount,
                                                 int part2PointCount)
    : partsMode(partsModeIn),
      part1(kSupportSlots, part1PointCount, true, partsModeIn),
      part2(kSupportSlots, part2PointCount, false, false),
      camberLine(kGridPoints),
      thickness(kGridPoints),
      upper(kGridPoints),
      lower(kGridPoints),
      rows(kGridPoints + 1) {}
