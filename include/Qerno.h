// The whole exported interface of Qerno.dll.
#pragma once

#include "QernoAfx.h"
#include "QernoFrame.h"
#include "QernoLog.h"
#include "QernoConfig.h"
#include "QernoMedia.h"
#include "QernoRender.h"
#include "QernoGeometry.h"
#include "QernoVocab.h"
