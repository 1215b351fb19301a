#pragma once
// Left out of the picture.
