#pragma once

class CKeypadText;
