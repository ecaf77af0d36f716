// An analysis source that takes a Qt header: what the core refuses.
#include <QString>
