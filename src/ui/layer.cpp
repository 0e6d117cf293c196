// layer.cpp: the layer base class: linking into the stack and the pass operations.
#include "ui/layer.h"

#include "frame/held_input.h"
#include "frame/layer_stack.h"

BWLayer::BWLayer()
{
    LayerLinks::pushOnTop(*this);
}

void BWLayer::leaveStack()
{
    LayerLinks::remove(*this);
}

void BWLayer::passCommand(int32_t id)
{
    if (below_) below_->onCommand(id);
}

void BWLayer::passChar(char character)
{
    if (below_) below_->onChar(character);
}

void BWLayer::passKeyDown(int32_t keyCode)
{
    if (below_) below_->onKeyDown(keyCode);
}

void BWLayer::passKeyUp(int32_t keyCode)
{
    if (below_) below_->onKeyUp(keyCode);
}

void BWLayer::passMouseDoubleClick(int32_t x, int32_t y, int32_t button)
{
    if (below_) below_->onMouseDoubleClick(x, y, button);
}

void BWLayer::passMouseDown(int32_t x, int32_t y, int32_t button)
{
    if (below_) below_->onMouseDown(x, y, button);
}

void BWLayer::passMouseMove(int32_t x, int32_t y)
{
    if (below_) below_->onMouseMove(x, y);
}

void BWLayer::passMouseUp(int32_t x, int32_t y, int32_t button)
{
    if (below_) below_->onMouseUp(x, y, button);
}

void BWLayer::passMouseWheel(int32_t x, int32_t y, int32_t z, int32_t direction)
{
    if (below_) below_->onMouseWheel(x, y, z, direction);
}

bool BWLayer::passInsertChar(int32_t textboxId, char character)
{
    return below_ ? below_->canInsertChar(textboxId, character) : true;
}

void BWLayer::moveInStack(int32_t position)
{
    LayerLinks::move(*this, position);
}

bool BWLayer::isKeyHeld(int32_t keyCode) const
{
    return isInputHeld(keyCode, HeldKind::Key);
}

bool BWLayer::isMouseButtonHeld(int32_t button) const
{
    return isInputHeld(button, HeldKind::MouseButton);
}
