#include "param/xml_node.h"
#include "param/xml_tree.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>

namespace orvex {
namespace {

// The texts handed to the tree may be its own, and adding to the tree may move them.
TEST(XmlTreeTest, TakesTextsThatLieInTheTreeItself) {
    XmlTree tree;
    tree.SetNode("R", "");
    tree.SetElement(XmlTree::kRoot, "Source", "a value of its own", "");
    for (int i = 0; i < 2000; ++i) {
        const XML_Node root = tree.root();
        tree.SetElement(XmlTree::kRoot, "Copy" + std::to_string(i),
                        root.findElement("Source")->value, root.name());
        tree.AddNode(XmlTree::kRoot, root.findElement("Source")->value,
                     root.findElement("Source")->value);
    }
    // Each value longer than the one it replaces, so that it goes to the end of the texts, which
    // then grow now and then and would take the attribute text passed with it along.
    tree.SetElement(XmlTree::kRoot, "Long", std::string(1000, 'L'), "");
    for (std::size_t length = 1; length <= 1000; ++length) {
        const XML_Node root = tree.root();
        const std::string_view longText = root.findElement("Long")->value;
        tree.SetElement(XmlTree::kRoot, "Target", longText.substr(0, length), longText);
        tree.SetNode(tree.root().findElement("Long")->value.substr(0, length),
                     tree.root().findElement("Long")->value);
    }

    const XML_Node root = tree.root();
    EXPECT_EQ(root.findElement("Copy1999")->value, "a value of its own");
    EXPECT_EQ(root.findElement("Copy1999")->attributeText, "R");
    EXPECT_EQ(root.findElement("Target")->value, std::string(1000, 'L'));
    EXPECT_EQ(root.findElement("Target")->attributeText, std::string(1000, 'L'));
    EXPECT_EQ(root.name(), std::string(1000, 'L'));
    EXPECT_EQ(root.attributeText(), std::string(1000, 'L'));
    EXPECT_EQ(root.children().size(), 2000U);
    EXPECT_EQ(root.children()[1999].attributeText(), "a value of its own");
}

TEST(XmlTreeTest, ASetValueThatFitsTakesTheOldOnesPlace) {
    XmlTree tree;
    tree.SetElement(XmlTree::kRoot, "A", "a long first value", "");
    tree.SetElement(XmlTree::kRoot, "B", "next", "");
    tree.SetElement(XmlTree::kRoot, "A", "short", "");
    tree.SetElement(XmlTree::kRoot, "A", "", "");

    EXPECT_EQ(tree.root().findElement("A")->value, "");
    EXPECT_EQ(tree.root().findElement("B")->value, "next");
    EXPECT_EQ(tree.root().entries().size(), 2U);
}

TEST(XmlTreeTest, ATreeMovedFromIsLeftAsANewOne) {
    XmlTree tree;
    tree.SetNode("R", "");
    tree.SetElement(tree.AddNode(XmlTree::kRoot, "C", ""), "E", "1", "");

    XmlTree moved(std::move(tree));
    XmlTree assigned;
    assigned = std::move(moved);
    for (XmlTree* left : {&tree, &moved}) {
        EXPECT_EQ(left->root().name(), "");
        EXPECT_TRUE(left->root().children().empty());
        left->SetElement(XmlTree::kRoot, "Again", "usable", "");
        EXPECT_EQ(left->root().findElement("Again")->value, "usable");
    }
    EXPECT_EQ(assigned.root().name(), "R");
    EXPECT_EQ(assigned.root().findChild("C")->findElement("E")->value, "1");
}

TEST(XmlTreeTest, ClearLeavesAnUnnamedEmptyRoot) {
    XmlTree tree;
    tree.SetNode("R", "a");
    const XmlId child = tree.AddNode(XmlTree::kRoot, "C", "");
    tree.SetElement(child, "E", "1", "");
    tree.Clear();

    const XML_Node root = tree.root();
    EXPECT_EQ(root.name(), "");
    EXPECT_EQ(root.attributeText(), "");
    EXPECT_TRUE(root.entries().empty());
    EXPECT_TRUE(root.children().empty());
    EXPECT_FALSE(root.findChild("C"));
}

} // namespace
} // namespace orvex
