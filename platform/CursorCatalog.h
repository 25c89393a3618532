#pragma once

#include "platform/Cursor.h"

#include <functional>
#include <map>

namespace corvane {

// The program's cursors by resource id. The resource library registers a
// maker for each id (a picture with a mask or a key colour, and a hot
// spot); cursors are made once, on first use, and kept. The ids the
// program uses for the toolkit's own shapes (32512 arrow, 32513 I-beam,
// 32514 wait, 32515 cross, 32642 to 32645 the four sizing shapes, 32646
// size-all, 32648 no, 32649 hand) are known from the start. An unknown id,
// or a maker that gives no picture, gives the arrow: asking never fails.
class CursorCatalog {
public:
    using Maker = std::function<Cursor()>;

    CursorCatalog();
    void Register(int id, Maker maker);  // replaces an earlier maker of the id
    bool Has(int id) const;
    Cursor Get(int id);

private:
    std::map<int, Maker> makers_;
    std::map<int, Cursor> made_;
};

}  // namespace corvane
