#pragma once

class CKeypadText {
};
