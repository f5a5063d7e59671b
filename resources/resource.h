#pragma once

#define IDD_WIZARD 103
#define IDI_KELVARA 102
