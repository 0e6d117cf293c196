// layer_stack.cpp: pushing, unlinking and moving layers in the stack.
#include "frame/layer_stack.h"

#include "frame/held_input.h"
#include "ui/layer.h"

namespace {

BWLayer* top = nullptr;
BWLayer* bottom = nullptr;

} // namespace

BWLayer* topLayer()
{
    return top;
}

BWLayer* bottomLayer()
{
    return bottom;
}

void LayerLinks::pushOnTop(BWLayer& layer)
{
    layer.below_ = top;
    layer.above_ = nullptr;
    if (top) {
        top->above_ = &layer;
    }
    top = &layer;
    if (!bottom) {
        bottom = &layer;
    }
}

void LayerLinks::appendAtBottom(BWLayer& layer)
{
    layer.below_ = nullptr;
    layer.above_ = bottom;
    if (bottom) {
        bottom->below_ = &layer;
    }
    bottom = &layer;
    if (!top) {
        top = &layer;
    }
}

void LayerLinks::unlink(BWLayer& layer)
{
    if (layer.below_) {
        layer.below_->above_ = layer.above_;
    } else {
        bottom = layer.above_;
    }
    if (layer.above_) {
        layer.above_->below_ = layer.below_;
    } else {
        top = layer.below_;
    }
    layer.below_ = nullptr;
    layer.above_ = nullptr;
}

void LayerLinks::remove(BWLayer& layer)
{
    unlink(layer);
    if (!top || !bottom) {
        freeHeldInput();
    }
}

void LayerLinks::swapWithAbove(BWLayer& lower)
{
    BWLayer& upper = *lower.above_;
    BWLayer* beneath = lower.below_;
    BWLayer* over = upper.above_;
    if (beneath) {
        beneath->above_ = &upper;
    } else {
        bottom = &upper;
    }
    if (over) {
        over->below_ = &lower;
    } else {
        top = &lower;
    }
    upper.below_ = beneath;
    upper.above_ = &lower;
    lower.below_ = &upper;
    lower.above_ = over;
}

void LayerLinks::move(BWLayer& layer, int32_t position)
{
    unlink(layer);
    if (position >= 0) {
        pushOnTop(layer);
        for (; position > 1 && layer.below_; --position) {
            swapWithAbove(*layer.below_);
        }
    } else {
        appendAtBottom(layer);
        for (; position < -1 && layer.above_; ++position) {
            swapWithAbove(layer);
        }
    }
}
