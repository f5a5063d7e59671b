#pragma once

// The fixed table of the 17 features: what the user sees of each and how it is
// registered. Nothing in it changes while the program runs.

enum class FeatureCategory : unsigned char { Information, FreeServices, ResourceSaving, SecurityPrivacy, Other };

// The rows by name, valued by their numbers, 1 to 17, in catalog order. Every
// table elsewhere that is kept per row names its rows so.
enum class FeatureRow : unsigned char {
    PictureGatherer = 1,
    PortalLexicon,
    PortalLexiconPlus,
    FreewareFinder,
    HostRedirector,
    OmniQuery,
    UriGrabber,
    PolyglotRelay,
    XdriveCourier,
    IdriveCourier,
    HereOpener,
    FormSentinel,
    TargetRevealer,
    RemoteMarkupPeek,
    CrumbViewer,
    MarkupReaderSwap,
    PaneUnwrapper,
};

// The rows that carry an upgrade offer, in catalog order.
inline constexpr FeatureRow kUpgradeRows[] = {FeatureRow::PortalLexicon, FeatureRow::PortalLexiconPlus};

enum class FeatureKind : unsigned char { MenuExtension, SourceViewerSetting };

enum class LegacyMode {
    Migrate,        // moved to the current caption when the wizard starts
    RemoveInstead,  // left in place; removal deletes it instead of the current caption
};

// One context-menu item: the registry key name, the script appended to the
// script base address, and Internet Explorer's context bits.
struct MenuEntry {
    const char* caption;
    const char* script;  // null for discontinued features, which are never registered
    unsigned char contexts;
};

struct LegacyCaption {
    const MenuEntry* entry;  // the row's entry that the old caption was written for
    const char* oldCaption;
    LegacyMode mode;
};

// An entry whose stored contexts byte differs from expectedContexts can be
// upgraded by registering the first entryCount entries again.
struct UpgradeOffer {
    const char* caption;
    unsigned short checkBoxId;
    unsigned short descriptionId;
    const char* description;
    unsigned char expectedContexts;
    int entryCount;
};

// A read-only run of table items, for range-for.
template <typename T>
struct TableRange {
    const T* first;
    int count;
    const T* begin() const { return first; }
    const T* end() const { return first + count; }
    const T& operator[](int index) const { return first[index]; }
};

// The ids of a row's check box and of its description.
struct ControlIds {
    unsigned short checkBox;
    unsigned short description;
};

struct FeatureEntry {
    FeatureRow number;
    FeatureCategory category;
    FeatureKind kind;
    bool discontinued;
    unsigned short checkBoxId;
    unsigned short descriptionId;
    const char* caption;
    const char* description;
    TableRange<MenuEntry> entries;  // the first is the probe entry
    const char* refusalMessage;     // null unless discontinued
    TableRange<LegacyCaption> legacyCaptions;
    const UpgradeOffer* upgrade;  // null for most rows
};

class FeatureCatalog {
public:
    static constexpr int kRowCount = static_cast<int>(FeatureRow::PaneUnwrapper);

    static TableRange<FeatureEntry> rows();  // in catalog order
    static const FeatureEntry& row(FeatureRow number);
    // The row whose check box has this id; null when there is none.
    static const FeatureEntry* findByCheckBoxId(int checkBoxId);
    // The category's text in the wizard's category list.
    static const char* categoryText(FeatureCategory category);
};
