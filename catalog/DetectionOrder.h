#pragma once

#include "catalog/FeatureCatalog.h"

// The rows in the order they are probed at start, which is also the order of
// the migrations' registry writes and of their reports. The source viewer's
// row is read separately. A copy in each unit that reads it: the program's
// units are optimised at link time, the tests' not, and the linker would take
// one shared definition from each for two.
constexpr FeatureRow kDetectionOrder[] = {
    FeatureRow::PictureGatherer, FeatureRow::PortalLexicon,    FeatureRow::PortalLexiconPlus, FeatureRow::FreewareFinder,
    FeatureRow::OmniQuery,       FeatureRow::UriGrabber,       FeatureRow::PolyglotRelay,     FeatureRow::HostRedirector,
    FeatureRow::XdriveCourier,   FeatureRow::IdriveCourier,    FeatureRow::HereOpener,        FeatureRow::FormSentinel,
    FeatureRow::TargetRevealer,  FeatureRow::RemoteMarkupPeek, FeatureRow::CrumbViewer,       FeatureRow::PaneUnwrapper,
};
