#pragma once

// Resource ids of qinghe-keygen.rc; plain defines, because the resource compiler reads them too.
#define kProgramIconId 1
