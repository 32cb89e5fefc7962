#include "knowledgetable.h"

namespace teskaro {

QString countCaption(int count)
{
    return u' ' + QString::number(count);
}

} // namespace teskaro
